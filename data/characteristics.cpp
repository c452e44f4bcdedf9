#include "data/characteristics.h"

namespace {

struct Characteristic {
    const char* text[kLanguageCount];  // by Language
    Stat stat;          // the stat of the highest IV
    int32_t remainder;  // that IV mod 5
};

// The game's order: the stats H, A, B, S, C, D (speed before the special
// stats), five remainders each.
const Characteristic kCharacteristics[kCharacteristicCount] = {
    {{"たべるのが　だいすき", "Loves to eat"}, kH, 0},
    {{"ひるねを　よくする", "Often dozes off"}, kH, 1},
    {{"いねむりが　おおい", "Often scatters things"}, kH, 2},
    {{"ものを　よく　ちらかす", "Scatters things often"}, kH, 3},
    {{"のんびりするのが　すき", "Likes to relax"}, kH, 4},
    {{"ちからが　じまん", "Proud of its power"}, kA, 0},
    {{"あばれることが　すき", "Likes to thrash about"}, kA, 1},
    {{"ちょっと　おこりっぽい", "A little quick tempered"}, kA, 2},
    {{"ケンカを　するのが　すき", "Likes to fight"}, kA, 3},
    {{"ちのけが　おおい", "Quick tempered"}, kA, 4},
    {{"からだが　じょうぶ", "Sturdy body"}, kB, 0},
    {{"うたれ　づよい", "Capable of taking hits"}, kB, 1},
    {{"ねばり　づよい", "Highly persistent"}, kB, 2},
    {{"しんぼう　づよい", "Good endurance"}, kB, 3},
    {{"がまん　づよい", "Good perseverance"}, kB, 4},
    {{"かけっこが　すき", "Likes to run"}, kS, 0},
    {{"ものおとに　びんかん", "Alert to sounds"}, kS, 1},
    {{"おっちょこちょい", "Impetuous and silly"}, kS, 2},
    {{"すこし　おちょうしもの", "Somewhat of a clown"}, kS, 3},
    {{"にげるのが　はやい", "Quick to flee"}, kS, 4},
    {{"こうきしんが　つよい", "Highly curious"}, kC, 0},
    {{"イタズラが　すき", "Mischievous"}, kC, 1},
    {{"ぬけめが　ない", "Thoroughly cunning"}, kC, 2},
    {{"かんがえごとが　おおい", "Often lost in thought"}, kC, 3},
    {{"とても　きちょうめん", "Very finicky"}, kC, 4},
    {{"きが　つよい", "Strong willed"}, kD, 0},
    {{"ちょっぴり　みえっぱり", "Somewhat vain"}, kD, 1},
    {{"まけんきが　つよい", "Strongly defiant"}, kD, 2},
    {{"まけずぎらい", "Hates to lose"}, kD, 3},
    {{"ちょっぴり　ごうじょう", "Somewhat stubborn"}, kD, 4},
};

}  // namespace

const char* characteristic_text(int32_t k, Language language) {
    return kCharacteristics[k].text[static_cast<int>(language)];
}

Stat characteristic_stat(int32_t k) { return kCharacteristics[k].stat; }

int32_t characteristic_remainder(int32_t k) { return kCharacteristics[k].remainder; }
