#include "object_catalogue.h"

#include "object_art.h"

namespace artgen {
namespace {

ObjectEntry entry(const std::string& stem, const char* name, int w, int h, const char* block,
                  std::function<SpriteArt()> paint) {
    return {"obj_" + stem + ".bmp", "obj_" + stem + "_mask.bmp", name, w, h, block,
            std::move(paint)};
}

std::vector<ObjectEntry> build() {
    return {
        entry("oak", "Дуб", 3, 3, "000,000,010", paintOak),
        entry("spruce", "Ель", 1, 2, "0,1", paintSpruce),
        entry("birch", "Берёза", 1, 2, "0,1", paintBirch),
        entry("bush", "Куст", 1, 1, "1", [] { return paintBush(false); }),
        entry("berry_bush", "Куст с ягодами", 1, 1, "1", [] { return paintBush(true); }),
        entry("stump", "Пень", 1, 1, "1", paintStump),
        entry("flowers", "Цветы", 1, 1, "", paintFlowers),
        entry("rock", "Камень", 1, 1, "1", paintRock),
        entry("boulder", "Валун", 2, 2, "11, 11", paintBoulder),
        entry("stalagmite", "Сталагмит", 1, 2, "0,1", paintStalagmite),
        entry("crystals", "Кристаллы", 1, 1, "1", paintCrystals),
        entry("cave_mouth", "Вход в пещеру", 3, 3, "111,111,101", paintCaveMouth),
        entry("house", "Дом", 3, 3, "111,111,101",
              [] { return paintHouse(HouseStyle::Plastered); }),
        entry("log_house", "Изба", 3, 3, "111,111,101",
              [] { return paintHouse(HouseStyle::Logs); }),
        entry("barn", "Сарай", 2, 2, "11,11", paintBarn),
        entry("well", "Колодец", 2, 2, "11,11", paintWell),
        entry("fence_h", "Забор горизонтальный", 1, 1, "1",
              [] { return paintFence(kEast | kWest); }),
        entry("fence_v", "Забор вертикальный", 1, 1, "1",
              [] { return paintFence(kNorth | kSouth); }),
        entry("fence_nw", "Забор, угол СЗ", 1, 1, "1", [] { return paintFence(kEast | kSouth); }),
        entry("fence_ne", "Забор, угол СВ", 1, 1, "1", [] { return paintFence(kWest | kSouth); }),
        entry("fence_sw", "Забор, угол ЮЗ", 1, 1, "1", [] { return paintFence(kEast | kNorth); }),
        entry("fence_se", "Забор, угол ЮВ", 1, 1, "1", [] { return paintFence(kWest | kNorth); }),
        entry("gate", "Калитка", 1, 1, "", paintGate),
        entry("chest", "Сундук", 1, 1, "1", paintChest),
        entry("barrel", "Бочка", 1, 1, "1", paintBarrel),
        entry("signpost", "Указатель", 1, 2, "0,1", paintSignpost),
        entry("haystack", "Стог сена", 2, 2, "11,11", paintHaystack),
        entry("bench", "Скамья", 2, 1, "11", paintBench),
        entry("boat", "Лодка", 2, 1, "11", paintBoat),
        entry("ladder", "Лестница", 1, 2, "", paintLadder),
    };
}

} // namespace

const std::vector<ObjectEntry>& objectCatalogue() {
    static const std::vector<ObjectEntry> list = build();
    return list;
}

const ObjectEntry& objectEntry(Obj o) {
    return objectCatalogue().at(static_cast<std::size_t>(o));
}

int objectCode(Obj o) {
    return static_cast<int>(o) + 1;
}

} // namespace artgen
