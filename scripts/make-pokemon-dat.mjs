// Writes data/pokemon.dat: the 649 species of Black and White in national dex
// order, "H,A,B,C,D,S,名前" with generation-5 base stats and Japanese names,
// Shift-JIS (CP932) with CR LF line ends.
//
// A development tool only; the program reads the generated file. Install the
// data packages into a scratch directory outside the source tree and point
// the script at it:
//   mkdir -p build/npm && (cd build/npm && npm init -y >/dev/null &&
//     npm install pokemon@3.3.1 @pkmn/dex@0.10.11 iconv-lite@0.7.3)
//   node scripts/make-pokemon-dat.mjs build/npm data/pokemon.dat
import { createRequire } from 'node:module';
import { writeFileSync } from 'node:fs';
import { resolve } from 'node:path';

const [packagesDir = 'build/npm', output = 'data/pokemon.dat'] = process.argv.slice(2);
const require = createRequire(resolve(packagesDir, 'package.json'));
const japaneseNames = require('pokemon/data/ja.json');
const { Dex } = require('@pkmn/dex');
const iconv = require('iconv-lite');

const kSpeciesCount = 649;
const kMaxNameBytes = 10;  // the name field of the program takes 10 bytes

// Base forms only (forme ""), with the stats generation 5 gave them.
const gen5 = Dex.forGen(5);
const byNumber = new Map();
for (const s of gen5.species.all()) {
  if (s.num >= 1 && s.num <= kSpeciesCount && s.exists && s.forme === '') byNumber.set(s.num, s);
}

const lines = [];
for (let num = 1; num <= kSpeciesCount; ++num) {
  const s = byNumber.get(num);
  if (!s) throw new Error(`no generation-5 species #${num}`);
  const name = japaneseNames[num - 1];
  const bytes = iconv.encode(name, 'cp932');
  if (iconv.decode(bytes, 'cp932') !== name) throw new Error(`#${num} ${name} has no CP932 spelling`);
  if (bytes.length > kMaxNameBytes) throw new Error(`#${num} ${name} is ${bytes.length} bytes in CP932`);
  const b = s.baseStats;
  lines.push(Buffer.concat([Buffer.from(`${b.hp},${b.atk},${b.def},${b.spa},${b.spd},${b.spe},`, 'ascii'), bytes,
                            Buffer.from('\r\n', 'ascii')]));
}
writeFileSync(output, Buffer.concat(lines));
console.log(`${output}: ${lines.length} species`);
