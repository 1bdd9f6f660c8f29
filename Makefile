# Entry points: `make test`, `make run`, `make bench`, `make fuzz`, `make install`,
# `make package`, `make docs`, `make abi-baseline`, `make translations`.
# SANITIZE=1 builds with AddressSanitizer and UndefinedBehaviorSanitizer in build-asan/.

JOBS ?= $(shell nproc)
ifeq ($(SANITIZE),1)
BUILD_DIR ?= build-asan
CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=Debug -DQUOR_SANITIZE=ON
else
BUILD_DIR ?= build
CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=RelWithDebInfo
endif

.PHONY: all bootstrap configure build test run bench fuzz valgrind format clean \
	install package docs abi-baseline translations

# Where `make install` puts things; DESTDIR stages them below another root.
PREFIX ?= /usr/local

all: build

bootstrap:
	@./scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS) --timeout 300

run: build
	@./scripts/run $(BUILD_DIR)

bench: bootstrap
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-bench -j $(JOBS) --target benchmarks
	@./scripts/bench build-bench

fuzz: bootstrap
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUOR_FUZZ=ON -DQUOR_BUILD_GUI=OFF >/dev/null
	@cmake --build build-fuzz -j $(JOBS) --target fuzzers
	@./scripts/fuzz build-fuzz $(or $(FUZZ_SECONDS),60)

valgrind: build
	@valgrind --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite,indirect \
		$(BUILD_DIR)/quor/tests/quor_tests

install: build
	@DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"
	@if [ -z "$(DESTDIR)" ] && [ "$$(id -u)" -eq 0 ]; then ldconfig; fi

# The Debian packages libquor14, libquor-dev, hbquor and quord, in $(BUILD_DIR)/.
package: build
	@cmake --build $(BUILD_DIR) --target package

# The API documentation, in $(BUILD_DIR)/docs/html/.
docs: configure
	@cmake --build $(BUILD_DIR) --target docs

# Rewrites quor/abi/libquor.abi from the built library: after a compatible
# addition, or together with a raised soname (see README).
abi-baseline: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target quor
	@./quor/abi/abi-baseline quor/abi/libquor.abi $(BUILD_DIR)/quor/libquor.so quor/include

# Brings every translation up to date with the sources and lists what is
# unfinished; LANGUAGE=fr starts a new one.
translations: bootstrap
	@./scripts/translations update $(LANGUAGE)

format:
	@git ls-files '*.c' '*.h' '*.cpp' '*.hpp' | xargs clang-format -i

clean:
	rm -rf build build-asan build-bench build-fuzz
