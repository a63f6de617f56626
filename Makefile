# The two commands that matter: `make play` and `make test`. See README.md.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all install build play display-check level-map test test-unit test-sanitize fuzz bench format clean

all: build

install:
	@bash scripts/install.sh

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

build: install $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# Says in one line when there is no display to play on, before building anything.
play: display-check build
	@bash scripts/play.sh $(BUILD)

display-check:
ifeq ($(strip $(DISPLAY)$(WAYLAND_DISPLAY)),)
	$(error make play: no display (DISPLAY is not set), the game needs one for its window)
endif

# Every test: unit, OpenGL and end-to-end (the last two under an Xvfb started here); the same
# tests built with AddressSanitizer and UndefinedBehaviorSanitizer; then every fuzz target for
# FUZZ_SMOKE_SECONDS under libFuzzer.
FUZZ_SMOKE_SECONDS ?= 10
test: build
	bash scripts/with-xvfb.sh ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS) --timeout 600
	$(MAKE) --no-print-directory test-sanitize
	$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(FUZZ_SMOKE_SECONDS)

# The same tests built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: install
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DDH_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  bash scripts/with-xvfb.sh ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) --timeout 1200

# Long fuzzing with libFuzzer (clang). FUZZ_SECONDS per target.
FUZZ_SECONDS ?= 60
fuzz: install
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DDH_FUZZ=ON $(CMAKE_FLAGS)
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_targets
	bash scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_SECONDS)

bench: build
	@cd $(BUILD) && for b in bench/*; do [ -x "$$b" ] && echo "== $$b" && bash $(CURDIR)/scripts/with-xvfb.sh "./$$b"; done; true

# A top-down map of the level's surfaces with the test walks: build/run/level_map.png
level-map: build
	cmake --build $(BUILD) --target level_map

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
