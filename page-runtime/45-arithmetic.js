// Integer arithmetic of the dialect on the script's numbers.

// Integer division truncates toward zero; a zero divisor stops the program.
function QLCX_Div(a,b){
if(b==0){
throw new Error("division by zero");
}
return Math.trunc(a/b);
}

// A float stored into an integer place: the nearest integer, a tie to the even one.
function QLCX_Round(x){
var r=Math.round(x);
if(r-x==0.5&&Math.floor(r/2)*2!=r){
r=r-1;
}
return r;
}
