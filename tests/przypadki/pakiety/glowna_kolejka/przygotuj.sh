# A FIFO named as the main procedure counts as present; probing it must not wait for a writer.
mkfifo Demo1.adb
