# Firmlook: build, run and test on Debian 12 (the program itself runs under Wine here).
PRESETS := win32 win64 host

.PHONY: all deps build run test unit wine binary screenshot clean

all: build

deps:
	bash tools/install-deps.sh

build: deps
	@for p in $(PRESETS); do \
	  cmake --preset $$p >/dev/null && cmake --build --preset $$p -j2 || exit 1; \
	done

run: build
	bash tools/run-firmlook.sh

# Every test layer: native unit tests, the Wine end-to-end tests and the binary checks.
test: build
	ctest --preset host
	ctest --preset win32
	ctest --preset win64

unit: build
	ctest --preset host

wine: build
	ctest --preset win64

binary: build
	ctest --preset win32

screenshot: build
	bash tools/screenshot.sh docs/firmlook.png

clean:
	rm -rf build
