#include "Programmstart.h"
#include "StartModul.h"

int main(int argc, char** argv) {
    return varku::fuehreProgrammAus(argc, argv, varku::Main);
}
