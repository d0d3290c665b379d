// ostrew: converts a.ini into a.xml. Not built yet.
int main() { return 0; }
