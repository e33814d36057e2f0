# SPDX-License-Identifier: GPL-3.0-or-later
# Two commands on a fresh Debian 12 machine:
#   make run    builds and starts the game
#   make test   builds and runs every test (also in a sanitizer build)
# And to install it:
#   make deb          builds the Debian package (in $(BUILD))
#   make install-deb  builds it and installs it with apt-get
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test test-asan bench deb install-deb screenshots format clean

deps:
	@bash scripts/deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The game runs in $(BUILD)/run, a folder of its own with the manual and the
# default sounds, so that its settings, scores and graph stay out of the
# clone. Without the Qt window the engine plays a game against itself. Only
# the game, the engine tool and their libraries are built, not the tests.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target game
	@game=$$(cat $(BUILD)/tablor-game-path.txt 2>/dev/null); \
	if [ -n "$$game" ] && [ -x "$$game" ]; then \
	  mkdir -p $(BUILD)/run; \
	  for f in Documentation.htm res/sounds/*.wav; do \
	    [ -e "$(BUILD)/run/$${f##*/}" ] || cp "$$f" $(BUILD)/run/; \
	  done; \
	  cd $(BUILD)/run && exec "$$game"; \
	else \
	  ./$(BUILD)/tablor-engine selfplay --games 1 --seed 1 --moves; \
	fi

test: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABLOR_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-asan

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DTABLOR_WERROR=ON -DTABLOR_SANITIZE=ON -DTABLOR_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The screenshots of the AppStream data and the README (docs/screenshots),
# taken of the game built here under Xvfb.
screenshots: configure
	cmake --build $(BUILD) -j $(JOBS) --target tablor
	bash scripts/make-screenshots.sh "$$(cat $(BUILD)/tablor-game-path.txt)"

bench: build
	./$(BUILD)/bench/tablor_bench

deb: build
	cd $(BUILD) && cpack -G DEB

install-deb: deb
	@deb=$$(ls -t $(BUILD)/tablor_*.deb | head -n 1); \
	case $$deb in /*) ;; *) deb=./$$deb ;; esac; \
	sudo=""; [ "$$(id -u)" -eq 0 ] || sudo=sudo; \
	echo "Installing $$deb"; \
	$$sudo apt-get install -y "$$deb"

format:
	find src tools tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
