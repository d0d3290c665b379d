chmod 555 .
