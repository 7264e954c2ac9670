# make run    installs what is missing, builds, and starts Ondulix beside its data files
# make test   the same set-up, then every test under AddressSanitizer and UBSan
# make bench  the benchmarks, in an optimised build

BUILD      := build
TEST_BUILD := build-test
JOBS       := $(shell nproc)

.PHONY: run test bench deps build

deps:
	@tools/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target ondulix

run: build
	tools/run-ondulix $(BUILD)/ondulix

test: deps
	cmake -S . -B $(TEST_BUILD) -DCMAKE_BUILD_TYPE=Debug -DONDULIX_SANITIZE=ON
	cmake --build $(TEST_BUILD) -j $(JOBS)
	tools/start-printer
	cd $(TEST_BUILD) && ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS) --target bench_data
	$(BUILD)/bench/bench_data
