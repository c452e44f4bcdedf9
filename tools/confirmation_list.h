// The seed confirmation list: the stats of the chosen species at the chosen
// level for the 33 raw seeds around the target, into zure.txt.
#pragma once

// Writes zure.txt from g_app (target seed, frames consumed, level, species
// index, MacOffset, roaming flag) and hands it to the viewer once it is
// written whole. Frames consumed outside what one prepared generator serves
// (0..616, roaming 0..615) give the header and a line that names the range
// instead of stat lines. Nothing is written or shown when the file cannot be
// opened.
void write_confirmation_list();
