ln -s gramatyki/G.gpa G.gpa
