// Sets of token kinds for the generator's own parser.
#pragma once
