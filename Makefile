# make run    installs what is missing, builds, and starts Ondulix beside its data files
# make test   the same set-up, then every test under AddressSanitizer and UBSan
# make release-test  every test again in an optimised build, as packagers build it
# make bench  the benchmarks, in an optimised build
# make package  the Debian package, build-package/ondulix_*.deb

BUILD      := build
TEST_BUILD := build-test
RELEASE_BUILD := build-release
PACKAGE_BUILD := build-package
JOBS       := $(shell nproc)

.PHONY: run test release-test bench package deps build

deps:
	@tools/install-deps

build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j $(JOBS) --target ondulix

run: build
	tools/run-ondulix $(BUILD)/ondulix

# Configures, builds and tests one build folder: $(1) the folder, $(2) its cmake options.
define build_and_test
	cmake -S . -B $(1) $(2)
	cmake --build $(1) -j $(JOBS)
	tools/start-printer
	cd $(1) && ctest --output-on-failure -j $(JOBS)
endef

test: deps
	$(call build_and_test,$(TEST_BUILD),-DCMAKE_BUILD_TYPE=Debug -DONDULIX_SANITIZE=ON -DONDULIX_WERROR=ON)

release-test: deps
	$(call build_and_test,$(RELEASE_BUILD),-DCMAKE_BUILD_TYPE=Release -DONDULIX_WERROR=ON)

bench: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release
	cmake --build $(BUILD) -j $(JOBS) --target bench_data bench_charts bench_windows
	$(BUILD)/bench/bench_data
	$(BUILD)/bench/bench_charts
	$(BUILD)/bench/bench_windows

package: deps
	cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
	cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	rm -f $(PACKAGE_BUILD)/ondulix_*.deb
	cd $(PACKAGE_BUILD) && cpack -G DEB
