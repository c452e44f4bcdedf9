#include "data/characteristics.h"

namespace {

struct Characteristic {
    const char* text;
    Stat stat;          // the stat of the highest IV
    int32_t remainder;  // that IV mod 5
};

// The game's order: the stats H, A, B, S, C, D (speed before the special
// stats), five remainders each.
const Characteristic kCharacteristics[kCharacteristicCount] = {
    {"たべるのが　だいすき", kH, 0},
    {"ひるねを　よくする", kH, 1},
    {"いねむりが　おおい", kH, 2},
    {"ものを　よく　ちらかす", kH, 3},
    {"のんびりするのが　すき", kH, 4},
    {"ちからが　じまん", kA, 0},
    {"あばれることが　すき", kA, 1},
    {"ちょっと　おこりっぽい", kA, 2},
    {"ケンカを　するのが　すき", kA, 3},
    {"ちのけが　おおい", kA, 4},
    {"からだが　じょうぶ", kB, 0},
    {"うたれ　づよい", kB, 1},
    {"ねばり　づよい", kB, 2},
    {"しんぼう　づよい", kB, 3},
    {"がまん　づよい", kB, 4},
    {"かけっこが　すき", kS, 0},
    {"ものおとに　びんかん", kS, 1},
    {"おっちょこちょい", kS, 2},
    {"すこし　おちょうしもの", kS, 3},
    {"にげるのが　はやい", kS, 4},
    {"こうきしんが　つよい", kC, 0},
    {"イタズラが　すき", kC, 1},
    {"ぬけめが　ない", kC, 2},
    {"かんがえごとが　おおい", kC, 3},
    {"とても　きちょうめん", kC, 4},
    {"きが　つよい", kD, 0},
    {"ちょっぴり　みえっぱり", kD, 1},
    {"まけんきが　つよい", kD, 2},
    {"まけずぎらい", kD, 3},
    {"ちょっぴり　ごうじょう", kD, 4},
};

}  // namespace

const char* characteristic_text(int32_t k) { return kCharacteristics[k].text; }

Stat characteristic_stat(int32_t k) { return kCharacteristics[k].stat; }

int32_t characteristic_remainder(int32_t k) { return kCharacteristics[k].remainder; }
