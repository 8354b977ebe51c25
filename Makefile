# make run   installs what is missing, builds, starts the designer on the example
# make test  installs what is missing, builds every tree and runs every test
.PHONY: run test deps native win clean

deps:
	@scripts/install-deps.sh

native: deps
	cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
	ninja -C build/native

win: deps
	cmake -S . -B build/win -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake >/dev/null
	ninja -C build/win

run: native win
	@scripts/run-designer.sh examples/sample.bas

test: deps
	@scripts/run-tests.sh

clean:
	rm -rf build
