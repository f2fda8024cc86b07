# SPDX-License-Identifier: GPL-3.0-or-later
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test clean package package-check screenshots

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "make run: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session."; \
	    exit 1; \
	fi
	@$(BUILD)/zelmorio

test: build
	@cd $(BUILD) && ctest --output-on-failure

# Benchmarks in their own Release tree (-O2: GCC 12 reports false -Wrestrict warnings at -O3).
BENCH_BUILD ?= build-bench

.PHONY: bench
bench: deps
	@cmake -S . -B $(BENCH_BUILD) -G Ninja -DZELMORIO_BENCH=ON -DZELMORIO_TESTS=OFF \
	    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" >/dev/null
	@cmake --build $(BENCH_BUILD) --target bench_all
	@bench/run.sh $(BENCH_BUILD)

clean:
	@rm -rf $(BUILD)

# The Debian package, in the build folder; package-check installs it into a scratch folder
# and starts it.
package: configure
	@cmake --build $(BUILD) --target zelmorio zelmorio_icons
	@cd $(BUILD) && cpack -G DEB

package-check: package
	@scripts/check-deb.sh $(BUILD)

# The README's screenshots, in docs/screenshots/.
screenshots: configure
	@scripts/screenshots.sh $(BUILD)
