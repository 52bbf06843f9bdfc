#include "foundation/Programmstart.h"
#include "frame/StartModul.h"

int main(int argc, char** argv) {
    return varku::fuehreProgrammAus(argc, argv, varku::Main);
}
