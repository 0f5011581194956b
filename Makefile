# Firmlook: build, run and test on Debian 12 (the program itself runs under Wine here).
PRESETS := win32 win64 host

.PHONY: all deps build dist run test unit fuzz wine binary w32vm screenshot clean

all: build

deps:
	bash tools/install-deps.sh

build: deps
	@for p in $(PRESETS); do \
	  cmake --preset $$p >/dev/null && cmake --build --preset $$p -j2 || exit 1; \
	done

# The release zip dist/Firmlook-<version>.zip of the 32-bit deliverables.
dist: deps
	cmake --preset win32 >/dev/null && cmake --build --preset win32 -j2 --target dist

run: build
	bash tools/run-firmlook.sh

# Every test layer: native unit tests, a short fuzz run of every reader of outside data, the
# binary checks (with the twice-built release zip), the Wine end-to-end tests and the smoke
# run of the 32-bit deliverables from the release zip in an emulated guest.
test: build dist
	ctest --preset host
	bash tools/fuzz.sh 20
	ctest --preset win32
	ctest --preset win64
	ctest --preset w32vm

unit: build
	ctest --preset host

# Each fuzz target for 20 s; tools/fuzz.sh takes another time per target.
fuzz: deps
	bash tools/fuzz.sh 20

wine: build
	ctest --preset win64

binary: build
	ctest --preset win32

w32vm: build dist
	ctest --preset w32vm

screenshot: build
	bash tools/screenshot.sh docs/firmlook.png
	bash tools/screenshot.sh docs/firmlook-200.png 192

clean:
	rm -rf build dist
