// Resource ids of the data the program carries; read by the resource script and the program.
#pragma once

#define IDI_MOZHOU 1
#define IDR_DIC_DAT 101
#define IDR_SKIN_LIBRARY 102
#define IDR_SKIN_IMAGE 103
