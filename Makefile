# SPDX-License-Identifier: GPL-3.0-or-later
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The tests run in their own build, with AddressSanitizer and UndefinedBehaviorSanitizer;
# `make run` keeps the normal release build in $(BUILD).
TEST_BUILD ?= build-test
TEST_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELMORIO_SANITIZE=ON -DZELMORIO_WERROR=ON
# The test programs run side by side, one per core; the ones that share the private CUPS
# queue hold a lock and run one at a time.
TEST_JOBS ?= $(shell nproc)
# The fuzz targets need clang; each runs for FUZZ_SECONDS and adds what it finds to its
# corpus in fuzz/corpus.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = copies layout

.PHONY: all deps configure build run test fuzz clean package package-check screenshots \
        web web-run web-test web-screenshots

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD)

# Builds the program alone; the tests are built by `make test`.
run: configure
	@cmake --build $(BUILD) --target zelmorio
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "make run: no display found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session."; \
	    exit 1; \
	fi
	@$(BUILD)/zelmorio

test: deps
	@cmake -S . -B $(TEST_BUILD) -G Ninja $(TEST_FLAGS) >/dev/null
	@cmake --build $(TEST_BUILD)
	@cd $(TEST_BUILD) && ctest --output-on-failure -j $(TEST_JOBS)
	@$(MAKE) --no-print-directory web-test

# The browser version: the same Qt-free sources compiled to WebAssembly with Debian's
# emscripten, and the page beside it, in $(WEB_BUILD)/site/ (a static site).
WEB_BUILD ?= build-web
WEB_PORT ?= 8080
# Debian's emscripten finds its own JavaScript modules (acorn) there.
export NODE_PATH ?= /usr/share/nodejs

web: deps
	@emcmake cmake -S web -B $(WEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WEB_BUILD)

web-run: web
	@echo "Zelmorio nel browser: http://127.0.0.1:$(WEB_PORT)/  (Ctrl+C per fermare)"
	@cd $(WEB_BUILD)/site && python3 -m http.server $(WEB_PORT) --bind 127.0.0.1

# The README's pictures of the page.
web-screenshots: web
	@cd web && npm ci --no-audit --no-fund --loglevel=error
	@ZELMORIO_SITE=$(abspath $(WEB_BUILD))/site/ node scripts/web-screenshots.mjs docs/screenshots

# The page's tests in Debian's Chromium; the command line of the test build gives the
# lines they must equal.
web-test: web
	@cd web && npm ci --no-audit --no-fund --loglevel=error
	@cmake --build $(TEST_BUILD) --target zelmorio
	@ZELMORIO_CLI=$(abspath $(TEST_BUILD))/zelmorio ZELMORIO_SITE=$(abspath $(WEB_BUILD))/site/ \
	    QT_QPA_PLATFORM=offscreen node --test web/tests/*.test.js

fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DZELMORIO_TESTS=OFF -DZELMORIO_FUZZ=ON \
	    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined" >/dev/null
	@cmake --build $(FUZZ_BUILD) --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@for t in $(FUZZ_TARGETS); do \
	    echo "fuzz_$$t: $(FUZZ_SECONDS) s"; \
	    $(FUZZ_BUILD)/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -max_len=12000 \
	        -artifact_prefix=$(FUZZ_BUILD)/ \
	        -print_final_stats=1 fuzz/corpus/$$t || exit 1; \
	done

# Benchmarks in their own Release tree, at -O2 like the program that `make run` builds.
BENCH_BUILD ?= build-bench

.PHONY: bench
bench: web
	@cd web && npm ci --no-audit --no-fund --loglevel=error
	@cmake -S . -B $(BENCH_BUILD) -G Ninja -DZELMORIO_BENCH=ON -DZELMORIO_TESTS=OFF -DZELMORIO_WERROR=ON \
	    -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" >/dev/null
	@cmake --build $(BENCH_BUILD) --target bench_all
	@bench/run.sh $(BENCH_BUILD)

clean:
	@rm -rf $(BUILD) $(TEST_BUILD) $(FUZZ_BUILD) $(WEB_BUILD)

# The Debian package, in the build folder; package-check installs it into a scratch folder
# and starts it.
package: configure
	@cmake --build $(BUILD) --target zelmorio zelmorio_icons zelmorio_man
	@cd $(BUILD) && cpack -G DEB

package-check: package
	@scripts/check-deb.sh $(BUILD)

# The README's screenshots, in docs/screenshots/.
screenshots: configure
	@scripts/screenshots.sh $(BUILD)
