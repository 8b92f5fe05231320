#pragma once

#define IDI_PROGRAM 1
#define IDI_SPLASH 2
