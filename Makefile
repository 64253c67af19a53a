# TarvelWiz: every target installs what is missing from Debian's packages, configures and builds.
#   make demo         the wizard against simulated scales in a private network namespace
#   make run          the wizard on the real network
#   make test         every test, in a normal build and under AddressSanitizer + UBSan, and the
#                     Windows tests under Wine
#   make screenshots  every page in each mode rendered offscreen to PNG files in build/screenshots
#   make bench        the benchmarks (after make test)
#   make install      installs for the current user under ~/.local (PREFIX= to change it)
#   make uninstall    removes that installation again (the same PREFIX=), but not the log
#   make package      a portable archive of the program directory (build/TarvelWiz-*.tar.gz)
#   make windows      the Windows program cross-built with mingw-w64: build-windows/, with its
#                     portable archive TarvelWiz-1.0.0.1-Windows-x86_64.zip
#   make windows-package the per-user installer build-windows/TarvelWiz-1.0.0.1-x64.msi (wixl)
#   make demo-windows the Windows wizard under Wine against the demo's simulated scales
#   make test-windows the Windows test programs under Wine (so far a few that drive the wizard)
#                     and the Windows converters held to the Linux ones

BUILD      ?= build
WIN_BUILD  ?= build-windows
SAN_BUILD  ?= build-sanitize
JOBS       ?= $(shell nproc)
# Tests CTest runs side by side. Most of them wait on time-outs and on the simulated scale rather than
# on the processor, so more tests than cores pay: on two cores 4 ran the suite in about half the time
# of 2. 6 was a little faster still, but then the tests that give a stalled scale only seconds more
# than its limit now and then ran over it on a machine busy with other work.
TEST_JOBS  ?= 4
CMAKE_GEN  := -G Ninja
PREFIX     ?= $(HOME)/.local

.PHONY: all deps build build-sanitize run demo test test-plain test-sanitize screenshots bench clean \
        install uninstall package windows windows-package demo-windows test-windows

all: build

# The package groups of tools/install-deps.sh that each target needs: building, running, installing
# and packaging need only the build and run groups; the other targets add their own.
DEPS_GROUPS = build run
test test-plain test-sanitize build-sanitize: DEPS_GROUPS = build run test
demo: DEPS_GROUPS = build run demo
bench: DEPS_GROUPS = build run test bench
screenshots: DEPS_GROUPS = build run test
windows: DEPS_GROUPS = windows

# A build folder configured without GoogleTest left the tests out: configure it again once the test
# group is there.
deps:
	@sh tools/install-deps.sh $(DEPS_GROUPS)
	@if [ -n "$(filter test,$(DEPS_GROUPS))" ] && \
	    grep -qs '^TARVEL_TESTS_LEFT_OUT:INTERNAL=ON' $(BUILD)/CMakeCache.txt; then \
	  cmake -S . -B $(BUILD); \
	fi

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

test: test-plain test-sanitize test-windows

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

# The prefix as a full path: the record of an installation is kept by it.
install: build
	cmake --install $(BUILD) --prefix "$$(realpath -m -- "$(PREFIX)")" --strip

uninstall:
	cmake -DTARVEL_BINARY_DIR="$$(realpath -m -- "$(BUILD)")" -DPREFIX="$$(realpath -m -- "$(PREFIX)")" \
	  -P packaging/Uninstall.cmake

package: build
	cd $(BUILD) && cpack

# The Windows program folder (TarvelWiz.exe and the conversion programs side by side) and its zip.
# Neither Qt nor libcurl: the toolchain file makes it a Win32 program, linked statically.
$(WIN_BUILD)/build.ninja: | deps
	cmake -S . -B $(WIN_BUILD) $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	  -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake

windows: deps $(WIN_BUILD)/build.ninja
	cmake --build $(WIN_BUILD) -j $(JOBS)
	cd $(WIN_BUILD) && cpack

# Its own packages: as a part of make test, the deps of the Linux builds have run with theirs.
windows-package: windows
	cmake --build $(WIN_BUILD) --target msi

test-windows:
	@sh tools/install-deps.sh windows test
	@$(MAKE) --no-print-directory windows-package
	cd $(WIN_BUILD) && ctest --output-on-failure -j $(TEST_JOBS)

# The demo's scales and namespace (make demo needs the demo group; Wine comes with the windows one).
demo-windows:
	@sh tools/install-deps.sh windows demo
	@$(MAKE) --no-print-directory windows
	@sh tools/require-display.sh "make demo-windows"
	sh tools/demo-windows.sh $(WIN_BUILD)

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(WIN_BUILD)
