# A thin front over the CMake presets: set-up, then configure, build, run or test.
PRESET ?= default
DEB_PACKAGES := cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
                fonts-dejavu-core fonts-liberation2 xvfb xauth x11-apps \
                desktop-file-utils appstream strace librsvg2-bin python3 \
                xdotool xclip x11-utils
BUILD_DIR := build/$(PRESET)
PREFIX ?= /usr/local

.PHONY: run test test-asan e2e install bench setup build configure clean

run: build
	@if [ "$$(uname)" = Darwin ]; then open -W $(BUILD_DIR)/bin/Mireldantholm.app; \
	else $(BUILD_DIR)/bin/mireldantholm; fi

test: build
	ctest --preset $(PRESET)

test-asan:
	$(MAKE) test PRESET=asan

# The end-to-end tests alone (make test runs them too): the program on Xvfb, driven by real X events.
e2e: build
	ctest --preset $(PRESET) -L e2e

# Installs into $(PREFIX) (bin/, share/); sudo only when the prefix is not writable.
install: build
	@dir="$(PREFIX)"; while [ ! -e "$$dir" ]; do dir=$$(dirname "$$dir"); done; \
	SUDO=""; [ -w "$$dir" ] || SUDO=sudo; \
	$$SUDO cmake --install $(BUILD_DIR) --prefix "$(PREFIX)"

# Start-up time, peak memory and idle CPU against a minimal Qt program (bench/startup.py).
bench: configure
	cmake --build --preset $(PRESET) --target bench

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
