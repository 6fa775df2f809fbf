# make run   - install what is missing, build, start the program
# make test  - install what is missing, build, run every test
# make bench - build and run the benchmarks
# make test-sanitized - every test again under AddressSanitizer and UBSan
# make test-tsan - the tests that run work on the worker pool under ThreadSanitizer
# make install PREFIX=DIR - install the program, menu entry, icon and man page under DIR
# make package - build the Debian package build/dftscope_<version>_amd64.deb
# make fuzz FUZZ_SECONDS=N - build the fuzz targets with clang, run each for N seconds
BUILD ?= build
JOBS ?= 2
FUZZ_SECONDS ?= 30
PREFIX ?= /usr/local
# CI (CI=true) treats warnings as errors.
WERROR ?= $(if $(filter true,$(CI)),ON,OFF)
PACKAGES = cmake g++ make qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev libtbb-dev \
           fonts-liberation qt6-translations-l10n xvfb xauth desktop-file-utils appstream librsvg2-bin dpkg-dev file \
           clang-14 libclang-rt-14-dev \
           shared-mime-info binutils
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: deps configure build run test test-sanitized test-tsan fuzz bench install package clean

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing: $$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; \
	fi

configure: deps
	@[ -f $(BUILD)/CMakeCache.txt ] || cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DDFT_WERROR=$(WERROR)

build: configure
	cmake --build $(BUILD) -j$(JOBS)

run: build
	$(BUILD)/dftscope

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS) --timeout 120

test-sanitized: deps
	cmake --preset asan-ubsan -DDFT_WERROR=$(WERROR)
	cmake --build --preset asan-ubsan
	ctest --preset asan-ubsan

# Builds only the test programs labelled pool (build-tsan) and runs their tests.
test-tsan: deps
	cmake --preset tsan -DDFT_WERROR=$(WERROR)
	cmake --build --preset tsan
	ctest --preset tsan

# libFuzzer with AddressSanitizer and UBSan over the Qt-free layers (build-fuzz).
fuzz: deps
	cmake --preset fuzz -DDFT_WERROR=$(WERROR)
	cmake --build --preset fuzz
	sh fuzz/run.sh build-fuzz $(FUZZ_SECONDS)

# The whole road at one and at ten million samples, every other benchmark once.
bench: build
	@for n in 1000000 10000000; do echo "== $(BUILD)/scale_bench --samples=$$n"; \
	  QT_QPA_PLATFORM=offscreen $(BUILD)/scale_bench --samples=$$n || exit 1; done
	@for b in $(BUILD)/*_bench; do [ "$$b" = "$(BUILD)/scale_bench" ] && continue; \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b || exit 1; done

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) build-debug build-asan build-tsan build-fuzz
