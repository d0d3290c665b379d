chmod 000 Kalk.gpa
