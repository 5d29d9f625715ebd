# The two everyday commands: `make run` and `make test`.
# Both install whatever the build needs first (scripts/deps.sh).
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: deps configure build run test test-sanitize format-check validation-doc clean

deps:
	@bash scripts/deps.sh

configure: deps
	@cmake --preset dev >/dev/null

# Everything: the program, the tests and the benchmarks.
build: configure
	@cmake --build --preset dev -j $(JOBS)

# Only what `run` needs (the program and its drawings), so a first start is
# quick. The windows when a display is available, else the headless example.
run: configure
	@cmake --build --preset dev -j $(JOBS) --target hxcalc drawings
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then ./build/hxcalc; else ./build/hxcalc --demo; fi

test: build
	@ctest --preset dev -j $(JOBS)

# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@cmake --preset asan-ubsan >/dev/null
	@cmake --build --preset asan-ubsan -j $(JOBS)
	@ctest --preset asan-ubsan -j $(JOBS)

# The C++ sources against .clang-format.
format-check: deps
	@bash scripts/check_format.sh

# docs/VALIDATION.md as the validation suite measures it.
validation-doc: configure
	@cmake --build --preset dev -j $(JOBS) --target hxvalidation
	@HX_WRITE_VALIDATION=1 ./build/tests/hxvalidation --gtest_filter='ValidationDoc.*' >/dev/null
	@echo "docs/VALIDATION.md written"

clean:
	@rm -rf build build-asan build-release
