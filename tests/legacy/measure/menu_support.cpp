// The menu tests' stand-ins (scan host, real menus, pictures and fonts), built into this
// executable too.
#include "menu/menu_test_support.cpp"
