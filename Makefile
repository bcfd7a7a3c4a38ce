# A thin front over the CMake presets: set-up, then configure, build, run or test.
PRESET ?= default
DEB_PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
                fonts-dejavu-core fonts-liberation2 xvfb xauth x11-apps
BUILD_DIR := build/$(PRESET)

.PHONY: run test test-asan setup build configure clean

run: build
	$(BUILD_DIR)/bin/mireldantholm

test: build
	ctest --preset $(PRESET)

test-asan:
	$(MAKE) test PRESET=asan

build: configure
	cmake --build --preset $(PRESET)

configure: setup
	@test -f $(BUILD_DIR)/build.ninja || cmake --preset $(PRESET)

# Installs only what is missing: apt on Debian and Ubuntu (with sudo when not root), Homebrew on macOS.
setup:
	@if [ "$$(uname)" = Darwin ]; then \
	  command -v brew >/dev/null || { echo "Homebrew is needed: https://brew.sh"; exit 1; }; \
	  for p in cmake ninja qt googletest; do brew list $$p >/dev/null 2>&1 || brew install $$p; done; \
	elif command -v apt-get >/dev/null; then \
	  missing=""; for p in $(DEB_PACKAGES); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	  if [ -n "$$missing" ]; then \
	    SUDO=""; [ "$$(id -u)" -eq 0 ] || SUDO=sudo; \
	    $$SUDO apt-get update -q && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -q $$missing; \
	  fi; \
	else \
	  echo "Install CMake, Ninja, Qt 6 (Widgets) and GoogleTest, then run: cmake --preset $(PRESET)"; \
	fi

clean:
	rm -rf build
