// How much memory the pictures of all open documents may take together, so
// that a new document is refused before the system runs out of memory and
// ends the program with every document in it.
#pragma once

#include <cstdint>

// Half the machine's physical memory, unless set otherwise.
std::int64_t pictureMemoryBudget();

// Sets the budget in bytes; 0 puts back half the physical memory.
void setPictureMemoryBudget(std::int64_t bytes);
