mkdir Kalk.gpa
