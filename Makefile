# The two ways in:
#   make run [SCRIPT=path.ql]   install what is missing, build, run a script
#   make test                   install what is missing, build, run every test
BUILD ?= build
SCRIPT ?= examples/hello.ql
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test deps build bench sanitize fuzz format

run: build
	./$(BUILD)/quillo $(SCRIPT)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

deps:
	./scripts/install-deps

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS)

# Benchmarks (not tests): see bench/README.md.
bench: build
	./bench/run.sh $(BUILD)

# Every test again under the address and undefined-behaviour sanitizers.
sanitize: deps
	cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUILLO_SANITIZE=ON
	cmake --build build-asan -j $(JOBS)
	ctest --test-dir build-asan --output-on-failure -j $(JOBS)

# Coverage-guided fuzzing of the lexer and parser (clang's libFuzzer).
fuzz: deps
	CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLO_FUZZ=ON -DQUILLO_TESTS=OFF
	cmake --build build-fuzz --target fuzz_parse -j $(JOBS)
	mkdir -p build-fuzz/corpus
	./build-fuzz/fuzz_parse -max_total_time=$${FUZZ_SECONDS:-60} build-fuzz/corpus tests/fuzz/corpus

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')
