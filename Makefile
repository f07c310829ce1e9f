# Regforge: one-command set-up on a fresh Debian machine.
#   make run      installs what is missing, builds, starts the desktop program
#   make test     installs what is missing, builds with warnings as errors, runs every test
#   make install  installs the build into PREFIX (default /usr/local; DESTDIR is honoured)
#   make package  builds a Release Debian package in build-release/
#   make fuzz     builds the libFuzzer targets with clang in build-fuzz/ and runs each for
#                 FUZZ_SECONDS (default 60), one after another
#   make sanitize builds everything with ASan+UBSan in build-sanitize/ and runs every test
BUILD_DIR ?= build
RELEASE_DIR ?= build-release
FUZZ_DIR ?= build-fuzz
SANITIZE_DIR ?= build-sanitize
FUZZ_SECONDS ?= 60
# One target, or all of them.
FUZZ_TARGETS ?= profile_sections pin_sections timer_sections adc_sections pwm_sections spi_sections \
  device_load configuration \
	replace_list settings_file numeric_edit check_profile
PREFIX ?= /usr/local
BIN := $(BUILD_DIR)/bin

APT_PACKAGES := g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libfontconfig-dev fonts-dejavu-core \
	libgtest-dev libgmock-dev libbenchmark-dev libjpeg-dev dpkg-dev gcc-arm-none-eabi
# make fuzz: clang and its libFuzzer and sanitizer run-time libraries.
FUZZ_PACKAGES := clang-14 libclang-rt-14-dev
CCACHE := $(shell command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps fuzz-deps build werror run test demo bench install package format clean fuzz sanitize mutate profiles

all: build

deps:
	@$(MAKE) --no-print-directory install-packages PACKAGES="$(APT_PACKAGES)"

fuzz-deps: deps
	@$(MAKE) --no-print-directory install-packages PACKAGES="$(FUZZ_PACKAGES)"

.PHONY: install-packages
install-packages:
	@missing=""; for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y --no-install-recommends $$missing; \
	fi

$(BUILD_DIR)/build.ninja:
	cmake -S . -B $(BUILD_DIR) -G Ninja

build: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR)

# Tests (and so CI) build with warnings as errors; the setting stays in the build folder's cache.
werror: deps $(BUILD_DIR)/build.ninja
	@grep -q '^REGFORGE_WARNINGS_AS_ERRORS:BOOL=ON' $(BUILD_DIR)/CMakeCache.txt || \
	  cmake $(BUILD_DIR) -DREGFORGE_WARNINGS_AS_ERRORS=ON

run: build
	$(BIN)/regforge

test: werror
	cmake --build $(BUILD_DIR)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

# Writes the device profiles from the family tables (commit both; a test compares them).
profiles: deps $(BUILD_DIR)/build.ninja
	cmake --build $(BUILD_DIR) --target regforge-profilegen
	$(BUILD_DIR)/tools/regforge-profilegen data/families/*.fam data/include

# Plants single-token faults in a seeded sample of core lines and reports the share the core
# tests catch: make mutate MUTATE_ARGS="--count 100 --seed 7".
mutate: werror
	python3 tools/mutate.py --build-dir $(BUILD_DIR) $(MUTATE_ARGS)

# The benchmarks, then the start-up ratios: the window against a bare Qt main window (skipped
# without an X server or Xvfb) and `generate` against `cat` of its two files.
BENCH_CONFIG ?= examples/LPC1768.sav
BENCH_RUNS ?= 21
bench: build
	@$(MAKE) --no-print-directory install-packages PACKAGES="xvfb"
	$(BUILD_DIR)/bench/regforge_bench
	if [ -x $(BUILD_DIR)/bench/regforge_gui_bench ]; then $(BUILD_DIR)/bench/regforge_gui_bench; fi
	python3 bench/start_ratios.py --bin $(BIN) --bare $(BUILD_DIR)/bench/regforge-bare-window \
	  --helper $(BUILD_DIR)/bench/regforge-window-start --config $(BENCH_CONFIG) --runs $(BENCH_RUNS)

install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

package: deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DREGFORGE_BUILD_TESTS=OFF -DREGFORGE_BUILD_BENCH=OFF
	cmake --build $(RELEASE_DIR)
	cd $(RELEASE_DIR) && cpack -G DEB

demo: build
	@ls examples/*.sav >/dev/null 2>&1 || { echo "No example configuration yet."; exit 0; }; \
	$(BIN)/regforge-cli generate $$(ls examples/*.sav | head -n 1)

format:
	find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

# The fuzzers write what they find to $(FUZZ_DIR)/corpus/<target> (the repository's seeds in
# fuzz/corpus are only read) and a failing input to $(FUZZ_DIR)/artifacts/<target>/.
# Reader inputs stay at 4 KB (a profile section, a list, a script), which keeps the readers
# fast; whole profiles and configurations may be as large as the shipped ones.
FUZZ_FLAGS ?= -rss_limit_mb=2048 -timeout=20 -print_final_stats=1
fuzz: fuzz-deps
	@[ -f $(FUZZ_DIR)/build.ninja ] || CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_DIR) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREGFORGE_BUILD_FUZZ=ON -DREGFORGE_BUILD_GUI=OFF \
	  -DREGFORGE_BUILD_TESTS=OFF -DREGFORGE_BUILD_BENCH=OFF $(CCACHE)
	cmake --build $(FUZZ_DIR) -j2 --target $(addprefix fuzz_,$(FUZZ_TARGETS))
	@set -e; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_DIR)/corpus/$$t $(FUZZ_DIR)/artifacts/$$t; \
	  case $$t in device_load|configuration) len=65536;; *) len=4096;; esac; \
	  echo "== $$t ($(FUZZ_SECONDS) s)"; \
	  $(FUZZ_DIR)/fuzz/fuzz_$$t $(FUZZ_FLAGS) -max_len=$$len -max_total_time=$(FUZZ_SECONDS) \
	    -artifact_prefix=$(FUZZ_DIR)/artifacts/$$t/ $(FUZZ_DIR)/corpus/$$t fuzz/corpus/$$t; \
	done

# Address and undefined-behaviour sanitizers over the whole build and every test, the fuzz
# replays included. Qt's and fontconfig's own allocations are not ours to fix (lsan.supp).
SANITIZE_ENV := QT_QPA_PLATFORM=offscreen \
	ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/cmake/lsan.supp:print_suppressions=0
sanitize: deps
	@[ -f $(SANITIZE_DIR)/build.ninja ] || cmake -S . -B $(SANITIZE_DIR) -G Ninja \
	  -DCMAKE_BUILD_TYPE=Debug -DREGFORGE_SANITIZE=ON -DREGFORGE_BUILD_BENCH=OFF \
	  -DREGFORGE_WARNINGS_AS_ERRORS=ON $(CCACHE)
	cmake --build $(SANITIZE_DIR) -j2
	cd $(SANITIZE_DIR) && $(SANITIZE_ENV) ctest --output-on-failure -j2

clean:
	rm -rf $(BUILD_DIR) $(RELEASE_DIR) $(FUZZ_DIR) $(SANITIZE_DIR)
