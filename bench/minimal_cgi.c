/* The smallest CGI program: a fixed page. The server benchmark compares the start-up and answer
   of 'wbforms cgi' with this, built by cc with its default dynamic linking. */
#include <stdio.h>

int main(void) {
    fputs("Content-Type: text/html\r\n\r\n"
          "<HTML><HEAD><TITLE>Minimal</TITLE></HEAD><BODY>A fixed page.</BODY></HTML>\r\n",
          stdout);
    return 0;
}
