@echo Timer
