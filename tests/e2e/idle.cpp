// Keeps one Wine process alive for the whole test session, so that Wine's
// helper processes start once and not inside the first test.
#include <windows.h>

int main() {
    Sleep(INFINITE);
    return 0;
}
