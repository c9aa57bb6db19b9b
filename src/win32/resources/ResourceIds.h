#pragma once

// Identifiers of the program's own resources, shared by the resource script and the code.
#define KROMELIK_ABOUT_PICTURE 200
