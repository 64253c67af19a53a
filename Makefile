# TarvelWiz: every target installs what is missing from Debian's packages, configures and builds.
#   make demo         the wizard against simulated scales in a private network namespace
#   make run          the wizard on the real network
#   make test         every test, in a normal build and under AddressSanitizer + UBSan
#   make screenshots  every page in each mode rendered offscreen to PNG files in build/screenshots
#   make bench        the benchmarks (after make test)

BUILD      ?= build
SAN_BUILD  ?= build-sanitize
JOBS       ?= $(shell nproc)
# Tests CTest runs side by side. Most of them wait on time-outs and on the simulated scale rather than
# on the processor, so more tests than cores pay: on two cores 4 ran the suite in about half the time
# of 2. 6 was a little faster still, but then the tests that give a stalled scale only seconds more
# than its limit now and then ran over it on a machine busy with other work.
TEST_JOBS  ?= 4
CMAKE_GEN  := -G Ninja

.PHONY: all deps build build-sanitize run demo test test-plain test-sanitize screenshots bench clean

all: build

deps:
	@sh tools/install-deps.sh

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(SAN_BUILD)/build.ninja: | deps
	cmake -S . -B $(SAN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Debug -DTARVEL_SANITIZE=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

build-sanitize: deps $(SAN_BUILD)/build.ninja
	cmake --build $(SAN_BUILD) -j $(JOBS)

run: build
	@sh tools/require-display.sh "make run"
	$(BUILD)/TarvelWiz

demo: build
	@sh tools/require-display.sh "make demo"
	sh tools/demo.sh $(BUILD)

test: test-plain test-sanitize

test-plain: build
	cd $(BUILD) && ctest --output-on-failure -j $(TEST_JOBS)

test-sanitize: build-sanitize
	cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j $(TEST_JOBS)

screenshots: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ./tarvel_screenshots screenshots

bench: build
	sh bench/run.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
