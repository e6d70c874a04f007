# The front door: `make test` installs what is missing, builds every preset and runs every test.
.PHONY: all deps build build-linux build-asan build-tsan build-windows build-fuzz test test-linux test-windows \
        test-fuzz check-style bench run run-windows package screenshots clean

FUZZ_SECONDS ?= 30

all: build

deps:
	@scripts/install-deps

build: deps build-linux build-windows

build-linux:
	cmake --preset linux >/dev/null
	cmake --build --preset linux

build-asan:
	cmake --preset linux-asan >/dev/null
	cmake --build --preset linux-asan

# The search tests that run threads: the folder search, the file layers and a large file read in
# pieces side by side.
build-tsan:
	cmake --preset linux-tsan >/dev/null
	cmake --build --preset linux-tsan

build-windows:
	cmake --preset windows >/dev/null
	cmake --build --preset windows

build-fuzz:
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz

test: deps
	$(MAKE) test-linux
	$(MAKE) check-style
	$(MAKE) test-windows
	$(MAKE) test-fuzz

test-linux: build-asan build-linux build-tsan
	ctest --preset linux-asan
	ctest --preset linux
	ctest --preset linux-tsan

# Formatting and lint, on the compile commands of the Linux test build.
check-style: build-asan
	scripts/check-style build/linux-asan

test-windows: build-windows
	scripts/test-windows

test-fuzz: build-fuzz
	scripts/run-fuzz $(FUZZ_SECONDS)

# The Linux desktop program, started from the optimised build.
run: deps
	$(MAKE) build-linux
	build/linux/bin/sucholin

# The release artefacts: the Debian package in build/linux/ (checked by scripts/check-package)
# and the Windows archive in build/windows/.
package: deps
	$(MAKE) build-linux
	$(MAKE) build-windows
	cd build/linux && cpack -G DEB
	scripts/check-package
	cd build/windows && cpack -G ZIP

# The README's two screenshots, taken from both programs after a real search.
screenshots: deps build-linux build-windows
	scripts/screenshots

bench: deps build-linux
	bench/run

# Starts Sucholin.exe under Wine on the current display, in a prefix of its own.
run-windows: deps build-windows
	WINEPREFIX=$(CURDIR)/build/windows/run-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
	  wine build/windows/bin/Sucholin.exe

clean:
	rm -rf build
