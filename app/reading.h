// The dialog's work: the count lists, the reading and the cast.
#pragma once

void FillCountLists();
void Interpret();
void SeedFromSystemTime();
void CastAtRandom();
