// Blocks of cells as they arrive from the clipboard of another process: any
// bytes are either refused or read as exactly one block, which gives the same
// bytes back and pastes into a location of its size.

#include "fuzz/fuzz_support.h"

#include "model/cell_patch.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<model::CellPatch> patch = model::CellPatch::fromBytes(bytes);
    if (!patch)
        return 0;
    if (patch->toBytes() != bytes)
        fuzzing::fail("a block read from bytes gives other bytes back");
    if (patch->width() >= 1 && patch->height() >= 1 && patch->width() <= 64 &&
        patch->height() <= 64) {
        model::LocationGrid grid;
        grid.setMapWidth(patch->width());
        grid.setMapHeight(patch->height());
        grid.CreatMap(0);
        if (!patch->pasteInto(grid, patch->width() - 1, patch->height() - 1))
            fuzzing::fail("a block does not paste into a location of its size");
        const model::CellPatch back =
            model::CellPatch::copy(grid,
                                   model::CellRect{patch->width() - 1, patch->height() - 1,
                                                   patch->width(), patch->height()},
                                   patch->layers());
        if (back.toBytes() != bytes)
            fuzzing::fail("a pasted block is not copied back as it was");
    }
    return 0;
}
