REM quornel 柱記号で選んだ柱をもう一度作図（画面なし、2 か所以上）
@echo off
REM #jww
REM #cd
REM #h0
REM #0 1 か所目の交点（柱の通り芯の交点）を指示してください
REM #1 次の交点を指示してください　［点指示終了］で終わります
REM #99#
REM #f 柱記号（C2 など） : /_/S
REM #e
REM 2 か所目からは何か所でも続けて指示でき、右の［点指示終了］で指示を終えます。
REM 柱記号には、前に「作図」した柱の柱記号を入れます。何も入れなければ前回の柱です。
REM 空白や一部の記号を含む柱記号は、ここでは入れられません（readme.txt）。
REM Jw_cad の書いた JWC_TEMP.TXT を、quornel の読む TEMP.TXT に移します。
REM 前回の TEMP.TXT は先に消すので、古い縮尺や文字の大きさで作図することはありません。
if exist TEMP.TXT del TEMP.TXT
if exist JWC_TEMP.TXT move /y JWC_TEMP.TXT TEMP.TXT > nul
REM Jw_cad は入れた柱記号を /S のあとに付けて渡し（/SC2）、quornel はそれを柱記号と読みます。
REM 画面を開かずに、その柱記号で最後に「作図」した柱を、指示したすべての交点に書きます。
quornel.exe --repeat %1
