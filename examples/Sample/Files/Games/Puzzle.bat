@echo Puzzle Night
