# The two commands a person needs: `make run` and `make test`.
# Both install what is missing, then build incrementally in build/.

BUILD      := build
PRESET     := default
SAMPLE     := samples/sample.lgn

.PHONY: all deps configure build run test bench fuzz clean format

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: CMakeLists.txt CMakePresets.json | deps
	@cmake --preset $(PRESET) >/dev/null

configure: deps $(BUILD)/build.ninja

build: configure
	@cmake --build --preset $(PRESET)

run: build
	@scripts/run-register $(BUILD)/bin $(SAMPLE)

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2 --timeout 300

bench:
	@scripts/install-deps bench
	@cmake --preset release >/dev/null && cmake --build --preset release
	@scripts/run-benchmarks build-release

fuzz:
	@scripts/install-deps fuzz
	@cmake --preset fuzz >/dev/null && cmake --build --preset fuzz --target vx_fuzz_targets

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) build-release build-fuzz
