# Thin wrapper over CMake: `make run`, `make test`, `make bench`.
BUILD      ?= build
BUILD_SAN  ?= build-sanitize
BUILD_BENCH ?= build-bench
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: deps configure build run test test-sanitize bench clean format

deps:
	./scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/src/app/wandrel

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

test-sanitize: deps
	cmake -S . -B $(BUILD_SAN) -DCMAKE_BUILD_TYPE=Debug -DWANDREL_SANITIZE=ON $(CMAKE_ARGS)
	cmake --build $(BUILD_SAN) -j $(JOBS)
	ctest --test-dir $(BUILD_SAN) --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD_BENCH) -DCMAKE_BUILD_TYPE=Release -DWANDREL_BUILD_TESTS=OFF -DWANDREL_BUILD_BENCH=ON $(CMAKE_ARGS)
	cmake --build $(BUILD_BENCH) -j $(JOBS)
	QT_QPA_PLATFORM=offscreen $(BUILD_BENCH)/bench/wandrel_bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_BENCH)
