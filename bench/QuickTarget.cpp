// A target program that ends at once: a console program, so the tool's
// wait for it to become idle returns at once too.
int main() { return 0; }
