#pragma once

// One of the two files of a comparison.
enum class Side { File1, File2 };
