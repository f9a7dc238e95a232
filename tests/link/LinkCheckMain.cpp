// The empty program every library is linked into whole by the link check: it only has to link.
int main() { return 0; }
