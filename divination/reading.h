// The count lists, the reading and the cast, on the main dialog.
#pragma once

void FillCountLists();
void Interpret();
void SeedFromSystemTime();
void CastAtRandom();
