# A lone CR right after a full piece of 1000 characters starts the next piece.
printf '%1000s\rx' '' > B.gpa
