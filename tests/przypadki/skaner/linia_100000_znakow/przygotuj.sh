# Line 1 at the start of the last of 100 pieces of a line of 100 000 characters.
{ printf '%99000s%-1000s\n' '' "$(head -n 1 Kalk.gpa)"; tail -n +2 Kalk.gpa; } > g && mv g Kalk.gpa
