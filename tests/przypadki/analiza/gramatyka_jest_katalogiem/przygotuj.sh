mkdir G.gpa
