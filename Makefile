# Thin wrapper over CMake: `make run`, `make test`, `make bench`.
# `run` and `test` are scripts/run.sh and scripts/test.sh, which also work without make.
BUILD      ?= build
BUILD_SAN  ?= build-sanitize
BUILD_BENCH ?= build-bench
BUILD_FUZZ ?= build-fuzz
BUILD_VALGRIND ?= build-valgrind
FUZZ_CXX   ?= clang++-14
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: deps configure build run test test-sanitize bench fuzz valgrind clean format translations

deps:
	./scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

SCRIPT_ENV = BUILD_DIR="$(BUILD)" JOBS="$(JOBS)" CMAKE_ARGS="$(CMAKE_ARGS)"

run:
	$(SCRIPT_ENV) ./scripts/run.sh

test:
	$(SCRIPT_ENV) ./scripts/test.sh

# LeakSanitizer is on by default on Linux; said again so an inherited ASAN_OPTIONS cannot turn it off.
test-sanitize: deps
	cmake -S . -B $(BUILD_SAN) -DCMAKE_BUILD_TYPE=Debug -DWANDREL_SANITIZE=ON $(CMAKE_ARGS)
	cmake --build $(BUILD_SAN) -j $(JOBS)
	ASAN_OPTIONS="$${ASAN_OPTIONS:+$$ASAN_OPTIONS:}detect_leaks=1" \
		ctest --test-dir $(BUILD_SAN) --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD_BENCH) -DCMAKE_BUILD_TYPE=Release -DWANDREL_BUILD_TESTS=OFF -DWANDREL_BUILD_BENCH=ON $(CMAKE_ARGS)
	cmake --build $(BUILD_BENCH) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen $(BUILD_BENCH)/bench/wandrel_bench

# libFuzzer targets under clang (fuzz/), each run for FUZZ_SECONDS; fails on a finding.
fuzz: deps
	cmake -S . -B $(BUILD_FUZZ) -DCMAKE_CXX_COMPILER=$(FUZZ_CXX) -DCMAKE_BUILD_TYPE=Debug \
		-DWANDREL_FUZZ=ON -DWANDREL_BUILD_TESTS=OFF $(CMAKE_ARGS)
	cmake --build $(BUILD_FUZZ) --target fuzz_targets -j $(JOBS)
	fuzz/run.sh $(BUILD_FUZZ) $(FUZZ_SECONDS)

# Every test binary of a plain Debug build under memcheck; Qt's own noise is in valgrind.supp.
valgrind: deps
	cmake -S . -B $(BUILD_VALGRIND) -DCMAKE_BUILD_TYPE=Debug $(CMAKE_ARGS)
	cmake --build $(BUILD_VALGRIND) -j $(JOBS)
	@status=0; for t in $$(find $(BUILD_VALGRIND)/tests -maxdepth 1 -name 'wandrel_tests_*' \
			-type f -executable | sort); do \
		echo "== valgrind $$t"; \
		QT_QPA_PLATFORM=offscreen valgrind --error-exitcode=1 --leak-check=full \
			--suppressions=valgrind.supp --quiet $$t --gtest_brief=1 || status=1; \
	done; exit $$status

# The .ts sources of the string tables, brought up to date with the code and designs.
translations:
	./scripts/update-translations.sh

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_BENCH) $(BUILD_FUZZ) $(BUILD_VALGRIND)
