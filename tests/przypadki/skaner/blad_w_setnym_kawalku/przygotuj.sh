printf '%99999s?\n' '' > Kalk.gpa
