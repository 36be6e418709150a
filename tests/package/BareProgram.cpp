// An executable without any resources: the metadata check must reject it.
int main() { return 0; }
