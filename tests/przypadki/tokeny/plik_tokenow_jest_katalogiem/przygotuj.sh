mkdir T.tok
