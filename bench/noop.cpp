// The floor of a run: a static program that does nothing.
int main()
{
    return 0;
}
