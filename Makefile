# The two commands: `make run` and `make test`. Both install what is missing,
# configure and build first.
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: run test build deps bench pictures clean

deps:
	@tools/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/zhilan

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/zhilan-bench

# Redraws the window's pictures into resources/pictures (they are committed).
pictures: build
	$(BUILD)/tools/pictures/zhilan-pictures resources/pictures

clean:
	rm -rf $(BUILD)
