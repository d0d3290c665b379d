// Emitters of the Ada statements for each grammar symbol.
#pragma once
