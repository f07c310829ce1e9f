# Regforge: one-command set-up on a fresh Debian machine.
#   make run      installs what is missing, builds, starts the desktop program
#   make test     installs what is missing, builds with warnings as errors, runs every test
#   make install  installs the build into PREFIX (default /usr/local; DESTDIR is honoured)
#   make package  builds a Release Debian package in build-release/
BUILD_DIR ?= build
RELEASE_DIR ?= build-release
PREFIX ?= /usr/local
BIN := $(BUILD_DIR)/bin

APT_PACKAGES := g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev \
	libgtest-dev libgmock-dev libbenchmark-dev libjpeg-dev dpkg-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build werror run test demo bench install package format clean mutate

all: build

deps:
	@missing=""; for p in $(APT_PACKAGES); do \
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

# Plants single-token faults in a seeded sample of core lines and reports the share the core
# tests catch: make mutate MUTATE_ARGS="--count 100 --seed 7".
mutate: werror
	python3 tools/mutate.py --build-dir $(BUILD_DIR) $(MUTATE_ARGS)

bench: build
	$(BUILD_DIR)/bench/regforge_bench

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
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR) $(RELEASE_DIR)
