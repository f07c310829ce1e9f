# Regforge: one-command set-up on a fresh Debian machine.
#   make run   installs what is missing, builds, starts the desktop program
#   make test  installs what is missing, builds, runs every test
BUILD_DIR ?= build
BIN := $(BUILD_DIR)/bin

APT_PACKAGES := g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev \
	libgtest-dev libgmock-dev libbenchmark-dev libjpeg-dev
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

.PHONY: all deps build run test demo bench format clean

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

run: build
	$(BIN)/regforge

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j2

bench: build
	$(BIN)/regforge_bench

demo: build
	@ls examples/*.sav >/dev/null 2>&1 || { echo "No example configuration yet."; exit 0; }; \
	$(BIN)/regforge-cli generate $$(ls examples/*.sav | head -n 1)

format:
	find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
